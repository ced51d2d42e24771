#include "bolla/qtpaths.h"

#include "bolla/datalink/paths.h"

namespace bolla {

std::filesystem::path toPath(const QString &path)
{
    return pathFromUtf8(path.toStdString());
}

QString fromPath(const std::filesystem::path &path)
{
    return QString::fromStdString(utf8FromPath(path));
}

} // namespace bolla
