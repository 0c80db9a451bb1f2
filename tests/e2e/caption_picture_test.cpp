// The captions as a reader sees them: whole, flush right and reading right to left, in the
// prefix's face for "Arabic Transparent", in a wider one, and in the face that Wine finds when
// nothing maps it (a user's own prefix).
#include "tests/e2e/display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace testing_support;

namespace {

// Maps "Arabic Transparent" to another face, or to none (an empty name), for the programs
// started meanwhile.
class SubstituteFace {
public:
    explicit SubstituteFace(const wchar_t* face)
    {
        if (face == nullptr) {
            return;
        }
        wchar_t old[64] = L"";
        DWORD size = sizeof old;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS) {
            previous_ = old;
        }
        if (*face == L'\0') {
            RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key, name);
        } else {
            set(face);
        }
    }
    ~SubstituteFace()
    {
        if (previous_) {
            set(previous_->c_str());
        }
    }
    SubstituteFace(const SubstituteFace&) = delete;
    SubstituteFace& operator=(const SubstituteFace&) = delete;

private:
    static constexpr wchar_t key[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
    static constexpr wchar_t name[] = L"Arabic Transparent";

    static void set(const wchar_t* face)
    {
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, name, REG_SZ, face,
                        static_cast<DWORD>((wcslen(face) + 1) * sizeof(wchar_t)));
    }

    std::optional<std::wstring> previous_;
};

struct Face {
    const wchar_t* substitute;  // null: the prefix's own; empty: none
    const char* name;
};

class Captions : public testing::TestWithParam<Face> {};

// A caption on one line, [left, right) of box: whole, its ink flush against right (within
// tolerance), with an empty margin on its left. Returns its ink's stretches.
std::vector<std::pair<int, int>> checkLine(const Picture& picture, const RECT& box, int right, int tolerance)
{
    const auto ink = stretches(picture.inkColumns({box.left, box.top, right, box.bottom}), box.left, 2);
    if (ink.empty()) {
        ADD_FAILURE() << "no caption";
        return ink;
    }
    EXPECT_GE(ink.back().second, right - tolerance) << "flush right";
    EXPECT_GT(ink.front().first, box.left) << "an empty margin on its left: not cut";
    return ink;
}

// ":" is two dots, one above the other, in a column of their own.
bool isColon(const Picture& picture, const RECT& box, std::pair<int, int> columns)
{
    const RECT area{columns.first, box.top, columns.second, box.bottom};
    return columns.second - columns.first <= 4 && stretches(picture.inkRows(area), box.top, 1).size() == 2;
}

}  // namespace

TEST_P(Captions, AreWholeFlushRightAndReadRightToLeft)
{
    ASSERT_TRUE(prefixHoldsDefaultColours());
    const SubstituteFace face(GetParam().substitute);
    RunningTool tool(L"captions");
    tool.start();
    ASSERT_NE(tool.window, nullptr);
    const Picture picture(tool.window);
    ASSERT_TRUE(picture.taken()) << "no capture of the display";
    const int stripEdge = expected::image1.box.right;

    {
        SCOPED_TRACE("Label1");
        const RECT box = boxIn(tool.window, find(tool, expected::label1));
        EXPECT_GE(box.left, stripEdge) << "nothing over the picture strip";
        const auto ink = checkLine(picture, box, box.right, 3);
        ASSERT_GE(ink.size(), 2u);
        EXPECT_FALSE(isColon(picture, box, ink.back())) << "\":\" is not at the right end";
        EXPECT_TRUE(isColon(picture, box, ink.front())) << "\":\" at the left end: the caption is whole";
        if (box.left < expected::label1.box.left) {
            EXPECT_LT(ink.front().first, expected::label1.box.left) << "grown only where the letters need it";
        }
    }
    for (const expected::Control* option : {&expected::option32, &expected::option64}) {
        SCOPED_TRACE(option->caption);
        const RECT box = boxIn(tool.window, find(tool, *option));
        EXPECT_GE(box.left, stripEdge);
        const auto ink = stretches(picture.inkColumns(box), box.left, 2);
        ASSERT_GE(ink.size(), 2u);
        const int markLeft = ink.back().first;
        EXPECT_GE(markLeft, box.right - 16) << "the selection mark at the right end";
        const auto caption = checkLine(picture, box, markLeft, 8);  // beside the mark
        ASSERT_FALSE(caption.empty());
        if (box.left < option->box.left) {
            EXPECT_LT(caption.front().first, option->box.left) << "grown only where the letters need it";
        }
    }
    {
        SCOPED_TRACE("Label2");
        const RECT box = boxIn(tool.window, find(tool, expected::label2));
        const auto columns = picture.inkColumns(box);
        EXPECT_FALSE(columns.front()) << "an empty margin on its left: not cut";
        EXPECT_TRUE(columns.back() || columns[columns.size() - 2] || columns[columns.size() - 3]) << "flush right";
        const auto rows = picture.inkRows(box);
        const int lastInk = static_cast<int>(std::find(rows.rbegin(), rows.rend(), true).base() - rows.begin());
        EXPECT_GE(lastInk, (box.bottom - box.top) * 2 / 3) << "its lines fill its box";
        if (box.bottom > expected::label2.box.bottom) {
            EXPECT_GT(box.top + lastInk, expected::label2.box.bottom) << "grown only where the lines need it";
        }
        const RECT below{box.left, box.bottom, box.right, boxIn(tool.window, find(tool, expected::label1)).top};
        EXPECT_EQ(picture.count(below, [](COLORREF c) { return similar(c, expected::darkBlue, 60); }), 0)
            << "no line below its box";
    }
}

INSTANTIATE_TEST_SUITE_P(E2e, Captions,
                         testing::Values(Face{nullptr, "PrefixFace"}, Face{L"DejaVu Sans", "DejaVuSans"},
                                         Face{L"", "NoMapping"}),
                         [](const testing::TestParamInfo<Face>& face) { return std::string(face.param.name); });
