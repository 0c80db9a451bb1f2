#include "logging/text_file_writer.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace logging {

namespace {

bool isExistingFile(const std::wstring& path)
{
    try {
        return (platform::fileAttributes(path) & platform::directoryAttribute) == 0;
    } catch (const platform::Error&) {
        return false;
    }
}

}  // namespace

std::wstring joinedPath(const std::wstring& folder, const std::wstring& name)
{
    return folder + L"\\" + name;
}

void writeFileData(const std::wstring& myData, const std::wstring& transType, std::wstring& filePath,
                   std::wstring& fileName)
{
    if (filePath.empty()) {
        filePath = platform::applicationFolder();
    }
    if (fileName.empty()) {
        fileName = L"DataFile.txt";
    }
    const std::wstring path = joinedPath(filePath, fileName);

    if (!isExistingFile(path)) {
        // Should another writer create the file in the meantime, append rather than truncate it.
        const platform::ScopedHandle file = platform::openForAppending(path, true);
        platform::appendAnsiText(file.get(), myData);
    } else if (transType == L"Append") {
        const platform::ScopedHandle file = platform::openForAppending(path, false);
        platform::appendAnsiText(file.get(), myData);
    } else if (transType == L"Overwrite") {
        platform::deleteFile(path);
        const platform::ScopedHandle file = platform::createEmptyFile(path);
        platform::writeAnsiText(file.get(), myData);
    }
}

bool FileExists(const std::wstring& fileName)
{
    return isExistingFile(fileName);
}

}  // namespace logging
