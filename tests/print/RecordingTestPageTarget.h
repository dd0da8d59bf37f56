#pragma once
// A test page target that records what is drawn on it: the document's events, the texts drawn
// in a style of their own, and everything else on a recording surface.

#include "engine/RecordingSurface.h"
#include "print/TestPage.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

struct StyledText {
    int x, y;
    std::string text;
    engine::FontSpec font;
    print::TextStyle style;
};

class RecordingTestPageTarget : public print::TestPageTarget {
  public:
    RecordingSurface surface;
    std::vector<std::string> events;
    std::vector<StyledText> styled;
    print::PageOrientation orientation = print::PageOrientation::Landscape;
    bool failBegin = false;
    bool failStyledText = false;

    std::string PrinterName() const override { return "recorder"; }
    void BeginDocument(const std::string& title) override {
        if (failBegin) throw std::runtime_error("no paper");
        events.push_back("begin " + title);
    }
    void NewPage() override { events.push_back("new page"); }
    void SetClip(const print::LabelCell&) override { events.push_back("clip"); }
    void ClearClip() override { events.push_back("clear clip"); }
    engine::Surface& Surface() override { return surface; }
    void SetFontFace(const std::string& face) override { surface.face = face; }
    void EndDocument() override { events.push_back("end"); }
    void AbortDocument() override { events.push_back("abort"); }
    print::PageOrientation Orientation() const override { return orientation; }
    void SetOrientation(print::PageOrientation o) override {
        orientation = o;
        events.push_back(o == print::PageOrientation::Portrait ? "portrait" : "landscape");
    }
    void SetCopies(int copies) override { events.push_back("copies " + std::to_string(copies)); }
    print::PageSize PrintableSize() const override {
        return orientation == print::PageOrientation::Portrait ? print::PageSize{5100, 6400}
                                                               : print::PageSize{6400, 5100};
    }
    void DrawStyledText(int x, int y, std::string_view text, const engine::FontSpec& font,
                        print::TextStyle style) override {
        if (failStyledText) throw std::runtime_error("printer jammed");
        styled.push_back({x, y, std::string(text), font, style});
    }
};

} // namespace testing_support
