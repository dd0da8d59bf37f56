#pragma once
// Where a print job draws (a printer, a PDF file, or a recorder in tests), and how it reports
// its progress (the progress window and the command line both implement it).

#include "engine/Surface.h"
#include "print/LabelLayout.h"

#include <string>

namespace print {

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;

    virtual std::string PrinterName() const = 0;
    virtual void BeginDocument(const std::string& title) = 0;
    virtual void NewPage() = 0;
    // Drawing outside the cell is cut off until the next SetClip or ClearClip.
    virtual void SetClip(const LabelCell& cell) = 0;
    virtual void ClearClip() = 0;
    // The page's drawing surface in printer dots, origin at the printable area's top-left corner;
    // its font face is the one last given to SetFontFace.
    virtual engine::Surface& Surface() = 0;
    virtual void SetFontFace(const std::string& face) = 0;
    // A finished job is ended; a cancelled one is aborted, so nothing of it is printed or kept.
    virtual void EndDocument() = 0;
    virtual void AbortDocument() = 0;
};

class PrintProgress {
  public:
    virtual ~PrintProgress() = default;

    virtual void StartProgress(const std::string& printerName) = 0;
    // Called when a page starts (page 1 first); the only point where the job lets the user
    // interface run, so a cancel request is noticed here.
    virtual void SetPage(int page) = 0;
    virtual bool CancelRequested() const = 0;
    virtual void Finish() = 0;
};

} // namespace print
