#include "bolla/datacontrol.h"

#include "bolla/reader.h"
#include "bolla/rowmodel.h"

namespace bolla {

DataControl::DataControl(QObject *parent)
    : QObject(parent)
    , m_recordset(new RowModel(this))
{}

DataControl::~DataControl()
{
    letGo();
}

void DataControl::refresh(const QString &dataLinkFile, const QString &recordSource,
                          const Timeouts &timeouts)
{
    letGo();
    m_failure.clear();
    m_recordset->setRows({});
    m_reader = Reader::launch(
        dataLinkFile, recordSource, timeouts, this, [this](const Rows &rows) { take(rows); },
        [this] { emit waitingForLock(); });
}

QAbstractItemModel *DataControl::recordset() const
{
    return m_recordset;
}

int DataControl::column(const QString &name) const
{
    return m_recordset->column(name);
}

void DataControl::take(const Rows &rows)
{
    m_reader.clear();
    m_failure = rows.failure;
    m_recordset->setRows(rows);
    emit refreshed();
}

void DataControl::letGo()
{
    if (!m_reader)
        return;
    disconnect(m_reader, nullptr, this, nullptr);
    m_reader->requestInterruption();
    m_reader.clear();
}

} // namespace bolla
