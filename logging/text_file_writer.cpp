#include "logging/text_file_writer.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/folders.h"

namespace logging {

namespace {

bool isExistingFile(const std::wstring& path)
{
    try {
        return platform::namesFile(path);
    } catch (const platform::Error&) {
        return false;
    }
}

// The program runs elevated, and any user can put a link where it writes (in the root of
// drive C, for one): a write through it would land in a file of the link's choosing.
void refuseLinks(HANDLE file, const std::wstring& path)
{
    if (leadsToAnotherFile(platform::factsOf(file))) {
        throw platform::Error(ERROR_CANT_ACCESS_FILE,
                              L"الملف " + path + L" رابط إلى ملف آخر، فلم يكتب فيه شيء. احذفه ثم أعد المحاولة.");
    }
}

// Writes the text where the file pointer is, in the ANSI code page, and has it on the disk
// before anyone is told: the scripts install system files and drivers, and a crash or a cut
// of power soon after would lose a line still in the cache. A write or flush that fails, even
// part way, is cut back, so that the next line is not glued to a stub; if even that fails, the
// user is told that the file may end with part of a line.
void writeWhole(HANDLE file, const std::wstring& path, const std::wstring& text)
{
    const std::string bytes = platform::ansiBytes(text);
    if (bytes.empty()) {
        return;
    }
    const long long start = platform::filePosition(file);
    try {
        platform::writeBytes(file, bytes);
        platform::flushToDisk(file);
    } catch (platform::Error& unwritten) {
        try {
            platform::cutAt(file, start);
        } catch (const platform::Error& uncut) {
            unwritten.followWith(platform::Error(
                uncut.number(), L"تعذر محو ما كتب من السطر الأخير، فقد ينتهي الملف " + path +
                                    L" بجزء من سطر. افتح الملف واحذف هذا الجزء من آخره."));
        }
        throw;
    }
}

void appendTo(const std::wstring& path, const std::wstring& text)
{
    // A backup or a scanner that has the file open, and another writer's lock, are waited out
    // together, for one second in all.
    const platform::Deadline deadline = platform::patienceFromNow();
    const platform::ScopedHandle file = platform::openOrCreateForWriting(path, deadline);
    refuseLinks(file.get(), path);
    // Locked before the end is looked up, so that no other writer's line lands in between.
    const platform::WholeFileLock lock(file.get(), deadline);
    platform::moveToEnd(file.get());
    writeWhole(file.get(), path, text);
}

}  // namespace

bool leadsToAnotherFile(const platform::FileFacts& facts)
{
    return (facts.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 || facts.linkCount > 1;
}

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

    if (transType == L"Append") {
        // Open or create in one step: no existence test that a file deleted meanwhile defeats.
        appendTo(path, myData);
    } else if (!isExistingFile(path)) {
        // Should another writer create the file in the meantime, append rather than truncate it.
        appendTo(path, myData);
    } else if (transType == L"Overwrite") {
        platform::deleteFile(path);
        // Whatever took the name since the delete is not written over.
        const platform::ScopedHandle file = platform::createNewForWriting(path);
        refuseLinks(file.get(), path);
        writeWhole(file.get(), path, myData);
    }
}

bool FileExists(const std::wstring& fileName)
{
    return isExistingFile(fileName);
}

}  // namespace logging
