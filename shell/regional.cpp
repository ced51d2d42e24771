#include "shell/regional.h"

#include "shell/u16string.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

edicola::NumberSettings numberSettings(const QLocale &locale)
{
    edicola::NumberSettings s;
    s.decimalSeparator = locale.decimalPoint().toStdU16String();
    s.groupSeparator = locale.groupSeparator().toStdU16String();
    s.negativeSign = locale.negativeSign().toStdU16String();
#ifdef Q_OS_WIN
    // Qt does not give the user's negative form and leading-zero choice.
    if (locale == QLocale::system()) {
        DWORD value = 0;
        const auto query = [&value](LCTYPE type) {
            return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
                                   reinterpret_cast<LPWSTR>(&value), sizeof value / sizeof(WCHAR));
        };
        if (query(LOCALE_INEGNUMBER))
            s.negativeForm = int(value);
        if (query(LOCALE_ILZERO))
            s.leadingZero = value != 0;
    }
#endif
    return s;
}

QString showGeneral(double value)
{
    return toQString(edicola::generalNumber(value, numberSettings()));
}

QString showAmount(double value)
{
    return toQString(edicola::amount(value, numberSettings()));
}
