// Feeds arbitrary bytes to the column grid's stream reader as a stored window description.
// Besides crashes, it checks that a stream the reader accepts writes back into one that reads
// to the same columns: writing what was read twice gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "controls/ColumnStream.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    controls::TColumns columns;
    try {
        controls::ReadSuperGridStream(std::span(data, size), columns);
    } catch (const platform::Error&) {
        return 0;
    }
    const auto written = controls::WriteSuperGridStream(columns);
    controls::TColumns again;
    controls::ReadSuperGridStream(written, again);
    if (controls::WriteSuperGridStream(again) != written) std::abort();
    return 0;
}
