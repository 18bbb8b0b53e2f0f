#include "KeptFile.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

TKeptFile::TKeptFile(const QString& path) : m_path(path), m_hadFile(QFile::exists(path))
{
    const QString keptPath = path + QStringLiteral(".kept");
    std::error_code error;
    std::filesystem::remove(FileSystemPath(keptPath), error); // left by a killed process
    if (!m_hadFile)
        return;
    std::filesystem::create_hard_link(FileSystemPath(path), FileSystemPath(keptPath), error);
    if (!error)
        m_keptPath = keptPath;
}

TKeptFile::~TKeptFile()
{
    if (!m_keptPath.isEmpty())
        QFile::remove(m_keptPath);
}

bool TKeptFile::Restore()
{
    std::error_code error;
    if (!m_hadFile) {
        std::filesystem::remove(FileSystemPath(m_path), error);
        return !error;
    }
    if (m_keptPath.isEmpty())
        return false;
    std::filesystem::rename(FileSystemPath(m_keptPath), FileSystemPath(m_path), error);
    if (error)
        return false;
    m_keptPath.clear();
    return true;
}
