#include "qtgui/TextViewerCopy.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "qtgui/QtText.h"
#include "runtime/AtomicFile.h"

namespace qtgui {

std::filesystem::path writeUtf8Copy(const std::filesystem::path& file, const std::filesystem::path& folder)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    const std::filesystem::path copy = folder / file.filename();
    try {
        runtime::AtomicFile out(copy);
        const QByteArray utf8 = toQString(bytes).toUtf8();
        out.writer().write(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        out.commit();
    } catch (const std::exception&) {
        return {};
    }
    return copy;
}

} // namespace qtgui
