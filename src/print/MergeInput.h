#pragma once
// The bytes of a data file, pass after pass: a merge reads its data twice, once to check and
// count the records and once to print them. A file is opened afresh for every pass. Standard
// input can be read only once, so the first pass keeps a copy of what it reads in an unnamed
// temporary file (platform::OpenScratchFile), and the later passes read that copy.

#include "platform/FileDescriptor.h"

#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>

namespace print {

struct MergeSource;

class MergeInput {
  public:
    explicit MergeInput(const MergeSource& source);
    ~MergeInput();
    MergeInput(const MergeInput&) = delete;
    MergeInput& operator=(const MergeInput&) = delete;

    // The bytes from their start, valid until the next Open. A later pass of standard input
    // first reads whatever the pass before left unread. Throws platform::Failure ("Unable to
    // read <path>"), or for standard input when the copy cannot be made.
    QIODevice& Open();

  private:
    class Spooler;
    QIODevice& OpenStandardInput();

    QString path_;
    bool standardInput_;
    platform::FileDescriptor copy_;    // standard input's copy, closed after file_
    QFile file_;                       // the file, or standard input's copy
    std::unique_ptr<Spooler> spooler_; // standard input while its copy is being made
};

} // namespace print
