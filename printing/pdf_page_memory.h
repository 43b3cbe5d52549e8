#pragma once

// Qt's PDF writer takes a 16 MB buffer to compress each page it ends. glibc
// hands a block that large straight back to the system when it is freed, so a
// run of one page per card or envelope maps, faults in and unmaps 16 MB per
// page: on 10,000 envelopes that was a third of the run. Keeping such blocks
// in the heap costs no resident memory (the untouched part of the buffer is
// never faulted in) and is done once per process, before the first page.
namespace PdfPageMemory {

void keepBuffersInHeap();

}  // namespace PdfPageMemory
