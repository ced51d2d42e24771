#pragma once

#include <QString>

class QSqlDatabase;
class QSqlError;

namespace bolla {

// A server's lock waits come back this often, so that the reader can say that
// it waits, and stop between two when it is no longer wanted.
inline constexpr int kServerLockWaitSliceMilliseconds = 500;

// Another program holds the database, and the same read may succeed later. One
// reading for the reader, which then tries again, and for the messages.
bool heldByAnother(const QSqlError &error, const QString &driver);

// A server waits for a lock inside one call, which tells nothing until it
// returns: its waits are cut into slices. False where the server refuses:
// it then waits in one call, up to the command time-out.
bool sliceServerLockWaits(QSqlDatabase &db, int milliseconds = kServerLockWaitSliceMilliseconds);

} // namespace bolla
