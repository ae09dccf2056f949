#include "installer/payload.h"

// Block boundaries come from the generated assembler file that includes the carried files.
extern "C" {
extern const unsigned char quorrel_payload_0_begin[], quorrel_payload_0_end[];
extern const unsigned char quorrel_payload_1_begin[], quorrel_payload_1_end[];
extern const unsigned char quorrel_payload_2_begin[], quorrel_payload_2_end[];
extern const unsigned char quorrel_payload_3_begin[], quorrel_payload_3_end[];
extern const unsigned char quorrel_payload_4_begin[], quorrel_payload_4_end[];
extern const unsigned char quorrel_payload_5_begin[], quorrel_payload_5_end[];
}

namespace {

int32_t SizeOf(const unsigned char* begin, const unsigned char* end) {
    return static_cast<int32_t>(end - begin);
}

const PayloadItem kItems[kPayloadItemCount] = {
    {quorrel_payload_0_begin, SizeOf(quorrel_payload_0_begin, quorrel_payload_0_end),
     "purelibraries\\userlibraries\\Quorrel_400", "\rLibrary entpackt", "\rLibrary nicht entpackt"},
    {quorrel_payload_1_begin, SizeOf(quorrel_payload_1_begin, quorrel_payload_1_end),
     "help\\Quorrel400.chm", "\rLibrary Hilfe entpackt", "\rLibrary Hilfe nicht entpackt"},
    {quorrel_payload_2_begin, SizeOf(quorrel_payload_2_begin, quorrel_payload_2_end),
     "examples\\ZentLibs\\ostrel.pb", "\rBeispiel 1 entpackt", "\rBeispiel 1 nicht entpackt"},
    {quorrel_payload_3_begin, SizeOf(quorrel_payload_3_begin, quorrel_payload_3_end),
     "examples\\ZentLibs\\ostrel_using_sample.pb", "\rBeispiel 2 entpackt",
     "\rBeispiel 2 nicht entpackt"},
    {quorrel_payload_4_begin, SizeOf(quorrel_payload_4_begin, quorrel_payload_4_end), nullptr,
     nullptr, nullptr},
    {quorrel_payload_5_begin, SizeOf(quorrel_payload_5_begin, quorrel_payload_5_end),
     "examples\\ZentLibs\\Bilder\\printer_image.jpg", "\rBild entpackt", "\rBild nicht entpackt"},
};

} // namespace

const PayloadItem& PayloadItemAt(PayloadIndex index) { return kItems[index]; }
