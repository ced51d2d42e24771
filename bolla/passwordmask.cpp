#include "bolla/passwordmask.h"

#include <QList>

namespace bolla {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Whether text[at, at + length) is not glued to a word around it.
bool standsAlone(const QString &text, qsizetype at, qsizetype length)
{
    const qsizetype end = at + length;
    const bool freeBefore = at == 0 || !isWordChar(text[at - 1]) || !isWordChar(text[at]);
    const bool freeAfter =
        end == text.size() || !isWordChar(text[end]) || !isWordChar(text[end - 1]);
    return freeBefore && freeAfter;
}

} // namespace

QString hidePassword(const QString &text, const QString &password, const QString &userName)
{
    if (password.isEmpty())
        return text;
    QList<qsizetype> users;
    for (qsizetype at = userName.isEmpty() ? -1 : text.indexOf(userName); at >= 0;
         at = text.indexOf(userName, at + 1))
        users.append(at);
    const auto insideUser = [&](qsizetype at) {
        for (qsizetype u : users) {
            if (u <= at && at + password.size() <= u + userName.size())
                return true;
        }
        return false;
    };

    QString shown;
    qsizetype done = 0;
    for (qsizetype at = text.indexOf(password); at >= 0; at = text.indexOf(password, at + 1)) {
        if (at < done || !standsAlone(text, at, password.size()) || insideUser(at))
            continue;
        shown += QStringView(text).mid(done, at - done);
        shown += QStringLiteral("****");
        done = at + password.size();
    }
    shown += QStringView(text).mid(done);
    return shown;
}

} // namespace bolla
