#pragma once
#include <string>

// The program's texts as a user reads them, typed once for every test.
namespace testing_support {

inline const std::wstring windowCaption = L"إصلاح/تثبيت ملفات التشغيل";
inline const std::wstring installCaption = L"تحميل";
inline const std::wstring exitCaption = L"خروج";
inline const std::wstring successText = L"تمت عملية التثبيت بنجاح..";
inline const std::wstring description32 = L"تنزيل ملفات لنظام تشغيل 32 بت";
inline const std::wstring description64 = L"تنزيل ملفات لنظام تشغيل 64 بت";
// Every error box ends with the place that reported it.
inline const std::wstring errorSource = L"@Form1.cmdSetup_Click";

inline std::wstring failedScriptText(unsigned long exitCode)
{
    return L"انتهت عملية التثبيت برمز الخطأ " + std::to_wstring(exitCode) + errorSource;
}

}  // namespace testing_support
