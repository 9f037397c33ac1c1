// libFuzzer harness of the cup formats ("script/CupAlloc.txt").

#include <cstddef>
#include <cstdint>

#include "competition/CupAlloc.h"
#include "competition/CupFormat.h"
#include "competition/ScriptEntry.h"
#include "storage/KLFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::CKLFile file;
    file.OpenForReadFromMemory({reinterpret_cast<const char*>(data), size});
    kw::CCupFormatTable formats;
    kw::CScriptTable scripts;
    kw::ReadCupFormats(file, formats, scripts);
    return 0;
}
