#pragma once

#include <QString>

namespace bolla {

// `text` with every occurrence of `password` that stands as a word of its own
// replaced by asterisks. An occurrence inside a longer word is not the password
// ("x" in "expired"), and one that is the user name, as in "for user ...", is
// shown: the user name is no secret even when it equals the password.
QString hidePassword(const QString &text, const QString &password, const QString &userName);

} // namespace bolla
