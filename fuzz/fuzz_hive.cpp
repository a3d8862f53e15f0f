// The hive parser on any bytes: no crash, no leak, no undefined behaviour; and text it accepts,
// saved and read again, saves the same (a load, save, load round trip keeps every value).

#include "platform/CRegistryHive.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CRegistryHive hive(RegistryRoot::CurrentUser, QString());
    if (!hive.Parse(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) {
        return 0;
    }
    const QByteArray saved = hive.Serialize();
    CRegistryHive again(RegistryRoot::CurrentUser, QString());
    if (!again.Parse(saved) || again.Serialize() != saved) {
        __builtin_trap();
    }
    return 0;
}
