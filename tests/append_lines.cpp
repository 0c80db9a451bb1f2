// append_lines TAG COUNT
// Appends COUNT lines "TAG n" to c:\InstallationLog.txt through the tool's own writer,
// one call a line, as many installs finishing at once would.
#include "logging/installation_log.h"
#include "logging/text_file_writer.h"
#include "platform/error.h"

#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        return 2;
    }
    const std::wstring tag = argv[1];
    const int count = std::stoi(argv[2]);
    try {
        for (int n = 0; n < count; ++n) {
            std::wstring folder = logging::installationLogFolder;
            std::wstring name = logging::installationLogName;
            logging::writeFileData(tag + L" " + std::to_wstring(n) + L"\r\n", L"Append", folder, name);
        }
    } catch (const platform::Error& error) {
        return static_cast<int>(error.number());
    }
    return 0;
}
