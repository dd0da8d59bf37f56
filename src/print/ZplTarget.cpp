#include "print/ZplTarget.h"

#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/ZplLabel.h"
#include "print/CupsQueue.h"
#include "print/PrintFailure.h"

#include <QDir>
#include <QTemporaryFile>

#include <stdexcept>

namespace print {

struct ZplTarget::Output {
    Output(ZplSink sink, const QString& destination) {
        if (sink == ZplSink::File) {
            file.emplace(destination);
            return;
        }
        spool.setFileTemplate(QDir::tempPath() + "/tallyrune-XXXXXX.zpl");
        if (!spool.open()) throw UnableToPrintOn(destination);
    }
    QIODevice& Device() { return file ? file->Device() : static_cast<QIODevice&>(spool); }
    bool Failed() const { return file ? file->Failed() : spool.error() != QFileDevice::NoError; }

    std::optional<platform::PendingFile> file;
    QTemporaryFile spool;
};

ZplTarget::ZplTarget(QSize page, ZplSink sink, const QString& destination)
    : page_(page), sink_(sink), destination_(destination) {}

ZplTarget::~ZplTarget() {
    AbortDocument();
}

std::string ZplTarget::PrinterName() const {
    return destination_.toStdString();
}

void ZplTarget::BeginDocument(const std::string& title) {
    if (output_) throw std::logic_error("ZplTarget: a document is already open");
    title_ = title;
    output_ = std::make_unique<Output>(sink_, destination_);
    StartLabel();
}

void ZplTarget::NewPage() {
    RequireOpen();
    WritePage();
    StartLabel();
}

// A fresh label picture whose origin lies `shift_` into it.
void ZplTarget::StartLabel() {
    picture_.emplace(LabelCell{-shift_.x, -shift_.y, page_.width(), page_.height()});
    picture_->SetFontFace(face_);
}

void ZplTarget::SetClip(const LabelCell& cell) {
    RequireOpen();
    picture_->SetClip(cell);
}

void ZplTarget::ClearClip() {
    if (picture_) picture_->ClearClip();
}

engine::Surface& ZplTarget::Surface() {
    RequireOpen();
    return picture_->Surface();
}

void ZplTarget::SetFontFace(const std::string& face) {
    face_ = face;
    if (picture_) picture_->SetFontFace(face);
}

void ZplTarget::EndDocument() {
    RequireOpen();
    WritePage();
    picture_.reset();
    const std::unique_ptr<Output> output = std::move(output_);
    if (output->file) return output->file->Commit(platform::Durability::Renamed);
    if (!output->spool.flush() || output->Failed()) throw UnableToPrintOn(PrinterName());
    SubmitRawFile(destination_, output->spool.fileName(), QString::fromStdString(title_));
}

void ZplTarget::AbortDocument() {
    picture_.reset();
    output_.reset();
}

// A full disk shows at the page that meets it, so a long job stops there.
void ZplTarget::WritePage() {
    const QByteArray label = platform::ZplLabel(picture_->Picture());
    if (output_->Device().write(label) != label.size() || output_->Failed()) {
        if (output_->file) throw platform::WriteFailure(PrinterName(), output_->file->FailureReason());
        throw UnableToPrintOn(PrinterName());
    }
}

void ZplTarget::RequireOpen() const {
    if (!output_) throw std::logic_error("ZplTarget: no document is open");
}

} // namespace print
