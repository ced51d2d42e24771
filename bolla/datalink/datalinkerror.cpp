#include "bolla/datalink/datalinkerror.h"

namespace bolla {

std::string describe(DataLinkError error)
{
    switch (error) {
    case DataLinkError::None:
        return {};
    case DataLinkError::Missing:
        return "il file non esiste";
    case DataLinkError::Unreadable:
        return "il file non si può leggere";
    case DataLinkError::TooLarge:
        return "il file è troppo grande per essere un file di collegamento dati";
    case DataLinkError::BadEncoding:
        return "il file non è testo UTF-16 con contrassegno, UTF-8 o ANSI";
    case DataLinkError::NoSection:
        return "manca la riga [oledb] prima della stringa di inizializzazione";
    case DataLinkError::UnknownSection:
        return "c'è una sezione inattesa: è ammessa una sola riga [oledb]";
    case DataLinkError::NoInitString:
        return "manca la stringa di inizializzazione";
    case DataLinkError::TwoInitStrings:
        return "c'è più di una stringa di inizializzazione";
    case DataLinkError::MissingEquals:
        return "una voce non ha il segno =";
    case DataLinkError::EmptyKey:
        return "una voce non ha il nome";
    case DataLinkError::UnterminatedQuote:
        return "un valore tra virgolette non è chiuso";
    case DataLinkError::TextAfterQuote:
        return "c'è del testo dopo un valore tra virgolette";
    }
    return {};
}

} // namespace bolla
