# Writes the bytes of RES into a C++ source OUT that registers them with the platform at load time.
file(READ ${RES} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from a compiled resource script; do not edit.\n"
"#include <cstddef>\n"
"extern \"C\" void PlatformRegisterResources(const void* anchor, const unsigned char* data, std::size_t size);\n"
"extern \"C\" void PlatformUnregisterResources(const void* anchor);\n"
"namespace {\n"
"// Aligned so that resource data, which starts on 4-byte boundaries of the image, is aligned in\n"
"// memory as Windows guarantees.\n"
"alignas(16) const unsigned char kResources[] = {\n${bytes}};\n"
"struct Registrar {\n"
"    Registrar() { PlatformRegisterResources(kResources, kResources, sizeof kResources); }\n"
"    // Unloading the library must take its resources away with it.\n"
"    ~Registrar() { PlatformUnregisterResources(kResources); }\n"
"};\n"
"// Registered before any constructor of the library's own code runs.\n"
"__attribute__((init_priority(200))) Registrar registrar;\n"
"}\n")
