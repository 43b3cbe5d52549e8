#include "printing/pdf_page_memory.h"

#include <mutex>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace PdfPageMemory {

void keepBuffersInHeap() {
#if defined(__GLIBC__)
    static std::once_flag once;
    std::call_once(once, [] {
        // The largest threshold glibc takes on 64-bit, above the 16 MB page buffer; and the
        // heap's top is given back only past twice that, not after every page.
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    });
#endif
}

}  // namespace PdfPageMemory
