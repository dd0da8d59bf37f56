#pragma once
// Hands a finished print file to a CUPS queue with the printer's settings, as Qt's own CUPS engine
// would: the paper, copies, orientation, and the resolution the job was drawn at. Tallyrune sends
// the file itself so that a cancelled job never reaches the queue.

#include <QString>

class QPrinter;

namespace print {

// The job's id on the queue `printer` names; throws platform::Failure ("Unable to print on
// <name>: <reason>") when the scheduler refuses the file.
int SubmitPrintFile(const QPrinter& printer, const QString& file);

// The resolution the queue's driver prints at by default, in dots per inch; 0 when the queue
// names none (a raw queue) or cannot be asked.
int DriverResolution(const QString& queue);

// Sends `file` to the queue `queue` as it is (application/vnd.cups-raw: no filter runs), as a
// label printer's own language is sent; the job's id. Throws platform::Failure as above.
int SubmitRawFile(const QString& queue, const QString& file, const QString& title);

} // namespace print
