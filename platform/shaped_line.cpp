#include "platform/shaped_line.h"

#include "platform/error.h"
#include "platform/system_function.h"

namespace platform {

namespace {

struct Uniscribe {
    decltype(&ScriptStringAnalyse) analyse;
    decltype(&ScriptStringFree) free;
    decltype(&ScriptString_pSize) size;
    decltype(&ScriptStringOut) out;
};

Uniscribe loadFunctions()
{
    // usp10.dll is not one of the DLLs that Windows always takes from its system folder: it is
    // loaded only now, through the search that the program restricted at its start to that
    // folder, so that a usp10.dll left beside the program is never loaded.
    const HMODULE module = LoadLibraryW(L"usp10.dll");
    if (module == nullptr) {
        raiseLastError();
    }
    const Uniscribe functions{
        systemFunction<decltype(&ScriptStringAnalyse)>(module, "ScriptStringAnalyse"),
        systemFunction<decltype(&ScriptStringFree)>(module, "ScriptStringFree"),
        systemFunction<decltype(&ScriptString_pSize)>(module, "ScriptString_pSize"),
        systemFunction<decltype(&ScriptStringOut)>(module, "ScriptStringOut"),
    };
    if (!functions.analyse || !functions.free || !functions.size || !functions.out) {
        raiseSystemError(ERROR_PROC_NOT_FOUND);
    }
    return functions;
}

const Uniscribe& uniscribe()
{
    static const Uniscribe functions = loadFunctions();
    return functions;
}

void check(HRESULT result)
{
    if (FAILED(result)) {
        raiseSystemError(static_cast<unsigned long>(result));
    }
}

}  // namespace

ShapedLine::ShapedLine(HDC dc, std::wstring_view text)
{
    if (text.empty()) {
        return;  // Uniscribe refuses an empty string
    }
    const int length = static_cast<int>(text.size());
    // Right to left as the base direction, so that a closing " :" stands at the left end (Wine
    // takes it from the state, not from SSA_RTL); letters that the font lacks come from another font.
    SCRIPT_STATE state{};
    state.uBidiLevel = 1;
    check(uniscribe().analyse(dc, text.data(), length, length * 3 / 2 + 16, -1, SSA_GLYPHS | SSA_RTL | SSA_FALLBACK,
                              0, nullptr, &state, nullptr, nullptr, nullptr, &analysis_));
    const SIZE* size = uniscribe().size(analysis_);
    width_ = size != nullptr ? size->cx : 0;
}

ShapedLine::~ShapedLine()
{
    if (analysis_ != nullptr) {
        uniscribe().free(&analysis_);
    }
}

void ShapedLine::draw(int x, int y, const RECT& clip) const
{
    if (analysis_ != nullptr) {
        check(uniscribe().out(analysis_, x, y, ETO_CLIPPED, &clip, 0, 0, FALSE));
    }
}

}  // namespace platform
