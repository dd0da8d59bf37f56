#pragma once
// A printer and a progress window that record what a print job does: the document's events,
// the page and clip in force for every fill, each barcode with its texts, the pages reported,
// and a cancel pressed when a chosen page starts.

#include "engine/RecordingSurface.h"
#include "print/PrintTarget.h"

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct PrintedFill {
    int page; // from 0
    std::optional<print::LabelCell> clip;
    RecordedRect rect;
};

// DrawBarcode fills its box white first, so each white fill starts one barcode.
struct PrintedLabel {
    PrintedFill box;
    std::string text; // the human-readable texts drawn in it, joined
};

class RecordingPrintTarget : public print::PrintTarget {
  public:
    std::vector<std::string> events; // "begin <title>", "page", "end", "abort"
    std::vector<PrintedFill> fills;
    std::vector<PrintedLabel> labels;
    std::vector<std::string> faces; // every SetFontFace
    int clipsSet = 0;

    std::string PrinterName() const override { return "Recorder"; }
    void BeginDocument(const std::string& title) override { events.push_back("begin " + title); }
    void NewPage() override {
        events.push_back("page");
        ++page_;
    }
    void SetClip(const print::LabelCell& cell) override {
        clip_ = cell;
        ++clipsSet;
    }
    void ClearClip() override { clip_.reset(); }
    engine::Surface& Surface() override { return surface_; }
    void SetFontFace(const std::string& face) override { faces.push_back(face); }
    void EndDocument() override { events.push_back("end"); }
    void AbortDocument() override { events.push_back("abort"); }

  private:
    class Recorder : public RecordingSurface {
      public:
        explicit Recorder(RecordingPrintTarget& owner) : owner_(owner) {}
        void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override {
            const PrintedFill mark{owner_.page_, owner_.clip_, {left, top, right, bottom, fill}};
            owner_.fills.push_back(mark);
            if (fill == engine::Fill::White) owner_.labels.push_back({mark, ""});
        }
        void DrawText(int, int, std::string_view text) override {
            owner_.labels.back().text += text;
        }

      private:
        RecordingPrintTarget& owner_;
    };

    int page_ = 0;
    std::optional<print::LabelCell> clip_;
    Recorder surface_{*this};
};

class RecordingProgress : public print::PrintProgress {
  public:
    int cancelAtPage = 0; // 0: never
    std::vector<std::string> printers;
    std::vector<int> pages;
    int finished = 0;

    void StartProgress(const std::string& printerName) override { printers.push_back(printerName); }
    void SetPage(int page) override {
        pages.push_back(page);
        cancelled_ = cancelled_ || page == cancelAtPage;
    }
    bool CancelRequested() const override { return cancelled_; }
    void Finish() override { ++finished; }

  private:
    bool cancelled_ = false;
};

} // namespace testing_support
