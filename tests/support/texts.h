#pragma once
#include "platform/error.h"

#include <string>

// The program's texts as a user reads them, typed once for every test and never read from the
// program's own layout, so that a slip there shows.
namespace testing_support {

inline constexpr wchar_t windowCaption[] = L"إصلاح/تثبيت ملفات التشغيل";
inline constexpr wchar_t option32Caption[] = L"نظام تشغيل 32 بت";
inline constexpr wchar_t option64Caption[] = L"نظام تشغيل 64 بت";
inline constexpr wchar_t installCaption[] = L"تحميل";
inline constexpr wchar_t exitCaption[] = L"خروج";
inline constexpr wchar_t label1Caption[] = L"حدد نظام التشغيل المراد تثبيت أو إصلاح ملفاته :";
inline constexpr wchar_t label2Caption[] =
    L"إصلاح أو إعادة تثبيت ملفات نظام التشغيل الذي يحتاجها برنامج الطرمزي للمخزون والمحاسبة";
inline constexpr wchar_t successText[] = L"تمت عملية التثبيت بنجاح..";
// An install's description in the log: the prefix, then the marked option's caption.
inline constexpr wchar_t descriptionPrefix[] = L"تنزيل ملفات ل";
inline const std::wstring description32 = descriptionPrefix + std::wstring(option32Caption);
inline const std::wstring description64 = descriptionPrefix + std::wstring(option64Caption);
// Every error box ends with the place that reported it.
inline constexpr wchar_t errorSource[] = L"@Form1.cmdSetup_Click";

// The error box for a failure that the system describes.
inline std::wstring errorText(unsigned long number)
{
    return platform::systemDescription(number) + errorSource;
}

inline std::wstring failedScriptText(unsigned long exitCode)
{
    return L"انتهت عملية التثبيت برمز الخطأ " + std::to_wstring(exitCode) + errorSource;
}

}  // namespace testing_support
