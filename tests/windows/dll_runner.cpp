// Runs the Windows DLL's entry points and the Windows private-profile
// functions from the command line, for the comparison with the Linux build:
//   dll_runner DLL convert INI SECTION DXF OUT
//   dll_runner DLL layers|blocks INI SECTION DXF LIST
//   dll_runner DLL rewrite INI SECTION TXT LAYER OPERATION A B
//   dll_runner - ini FILE SECTION KEY DEFAULT SIZE
// It prints one line: what the call returned and the error code (and the
// value or the operands where there are some).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "dxfelem/dxfelem.h"

namespace {

template <typename Function>
Function Entry(HMODULE library, const char* name) {
  FARPROC address = GetProcAddress(library, name);
  if (address == nullptr) {
    std::printf("missing export %s\n", name);
    std::exit(3);
  }
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string command = argv[2];
  if (command == "ini" && argc == 8) {
    std::string buffer(static_cast<std::size_t>(std::atoi(argv[7])) + 1, '\0');
    const DWORD length = GetPrivateProfileStringA(argv[4], argv[5], argv[6], buffer.data(),
                                                  static_cast<DWORD>(std::atoi(argv[7])), argv[3]);
    const UINT number = GetPrivateProfileIntA(argv[4], argv[5], 77, argv[3]);
    std::printf("[%s] %d\n", buffer.substr(0, length).c_str(), static_cast<int>(number));
    return 0;
  }
  HMODULE library = LoadLibraryA(argv[1]);
  if (library == nullptr) {
    std::printf("cannot load %s\n", argv[1]);
    return 3;
  }
  using DxfCall =
      int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*, ConversionResult*);
  using ListCall = int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*, int32_t*);
  using TxtCall = int32_t(DXFELEM_CALL*)(const char*, const char*, const char*, const char*, const char*, int32_t,
                                         double*, double*, int32_t, ConversionResult*);
  ConversionResult record{};
  if (command == "convert" && argc == 7) {
    const int32_t returned = Entry<DxfCall>(library, "DxfToTxt")(argv[3], argv[4], argv[5], argv[6], "", &record);
    std::printf("%d %d\n", returned, record.errorCode);
  } else if ((command == "layers" || command == "blocks") && argc == 7) {
    int32_t code = -1;
    const int32_t returned = Entry<ListCall>(library, command == "layers" ? "DxfToLayersNet" : "DxfToBlocksNet")(
        argv[3], argv[4], argv[5], argv[6], "", &code);
    std::printf("%d %d\n", returned, code);
  } else if (command == "rewrite" && argc == 10) {
    double a = std::atof(argv[8]);
    double b = std::atof(argv[9]);
    const int32_t returned = Entry<TxtCall>(library, "TxtToTxt")(argv[3], argv[4], argv[5], "", argv[6],
                                                                 std::atoi(argv[7]), &a, &b, 0, &record);
    std::printf("%d %d %.6f %.6f\n", returned, record.errorCode, a, b);
  } else {
    return 2;
  }
  FreeLibrary(library);
  return 0;
}
