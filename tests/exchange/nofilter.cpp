// A library by the filter library's name with only one of its two entry points.

extern "C" __attribute__((visibility("default"))) long DESKTOPTODEVICE(const char*, const char*, int, int,
                                                                       const char*)
{
    return 0;
}
