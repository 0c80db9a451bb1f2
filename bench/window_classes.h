#pragma once

// The window classes of the benchmark's two yardsticks, by which the driver finds their windows.
namespace bench {

inline constexpr wchar_t minimalWindowClass[] = L"BenchMinimalWindow";
inline constexpr wchar_t pollingReferenceClass[] = L"BenchPollingReference";

}  // namespace bench
