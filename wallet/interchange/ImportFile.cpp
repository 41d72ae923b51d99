#include "ImportFile.h"

#include "model/Category.h"

#include <fstream>
#include <iterator>

namespace Interchange {

bool ImportFile::read(const std::string& path, std::string& error)
{
    m_path = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Cannot open file!";
        return false;
    }
    m_text.assign(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) {
        error = "Cannot read \"" + path + "\".";
        return false;
    }
    return true;
}

std::vector<Format> ImportFile::formats() const { return detectFormats(m_text); }

bool ImportFile::parse(Format format, std::string& error)
{
    const bool read = readImport(format, m_text, m_source, error);
    std::string().swap(m_text);
    if (!read)
        error = "\"" + m_path + "\", " + error;
    return read;
}

MappedImport ImportFile::map(bool sealed)
{
    MappedImport mapped = mapImport(m_source, sealed);
    m_source = ImportSource();
    return mapped;
}

} // namespace Interchange
