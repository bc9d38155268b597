# Writes the bytes of RES into a C++ source OUT that registers them with the platform at load time.
file(READ ${RES} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUT} "// Generated from a compiled resource script; do not edit.\n"
"#include <cstddef>\n"
"extern \"C\" void PlatformRegisterResources(const void* anchor, const unsigned char* data, std::size_t size);\n"
"namespace {\n"
"const unsigned char kResources[] = {\n${bytes}};\n"
"struct Registrar { Registrar() { PlatformRegisterResources(kResources, kResources, sizeof kResources); } };\n"
"// Registered before any constructor of the library's own code runs.\n"
"__attribute__((init_priority(200))) Registrar registrar;\n"
"}\n")
