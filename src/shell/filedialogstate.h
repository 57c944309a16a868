#pragma once

#include <QString>

namespace saltor {

// The common file dialog shared by Open, Save As and both page generators: a filter set
// before each showing and the file name chosen last, which carries over between all users
// and is never reset (not even by New).
class FileDialogState {
public:
    // filter is one description-and-pattern pair joined by a bar: "SQF files (*.sqf)|*.sqf".
    void setFilter(const QString& filter) { m_filter = filter; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }

    // The filter as a Qt name filter: "SQF files (*.sqf)", "overview.html (overview.html)".
    QString qtFilter() const;

private:
    QString m_filter;
    QString m_fileName;
};

} // namespace saltor
