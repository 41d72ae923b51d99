// What File > Import... and File > Export... ask of the person: the file to
// read or write, the format when the content does not tell it for certain,
// and the import's summary. The program runs the real dialogs; tests answer
// from a script.
#pragma once

#include "interchange/ImportFormats.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

struct ExportChoice {
    QString path;
    Interchange::Format format;
};

class IImportExportDialogs {
public:
    virtual ~IImportExportDialogs() = default;

    // The file to import; empty on Cancel.
    virtual QString chooseImportFile() = 0;
    // The format of `path` among `candidates` (every format the import
    // reads when the content matched none); none on Cancel.
    virtual std::optional<Interchange::Format> chooseImportFormat(const QString& path, const std::vector<Interchange::Format>& candidates,
                                                                  bool matchedNone) = 0;
    // The file to write and its format; none on Cancel.
    virtual std::optional<ExportChoice> chooseExportFile() = 0;
    virtual void showImportSummary(const QString& summary) = 0;
};

class CQtImportExportDialogs : public IImportExportDialogs {
public:
    explicit CQtImportExportDialogs(QWidget* parent) : m_parent(parent) {}

    QString chooseImportFile() override;
    std::optional<Interchange::Format> chooseImportFormat(const QString& path, const std::vector<Interchange::Format>& candidates,
                                                          bool matchedNone) override;
    std::optional<ExportChoice> chooseExportFile() override;
    void showImportSummary(const QString& summary) override;

private:
    QWidget* m_parent;
};
