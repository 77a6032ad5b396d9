#include <windows.h>

#include <initializer_list>

#include "app/pad_library.hpp"

void keepPadLibraryLoaded() {
    // Whichever of them GLFW found, as it looks for them.
    for (const wchar_t* name : {L"xinput1_4.dll", L"xinput1_3.dll", L"xinput9_1_0.dll",
                                L"xinput1_2.dll", L"xinput1_1.dll"}) {
        HMODULE library = nullptr;
        if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, name, &library) != 0) {
            return;
        }
    }
}
