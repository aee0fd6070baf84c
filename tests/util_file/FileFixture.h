#pragma once
// A clsFILE and a fresh folder for each test, with the helpers the file tests share.

#include "util/file/clsFILE.h"

#include "ScriptedUi.h"
#include "TestFiles.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readFile;

class FileFixture : public testing::Test {
protected:
    QString path(const QString& relative) const { return dir.filePath(relative); }

    QString write(const QString& relative, const QByteArray& content = "x")
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).absolutePath());
        testsupport::writeFile(file, content);
        return file;
    }

    // Without its owner's write bit a file or folder is read-only for every
    // user, root included (the tests may run as root).
    static void makeReadOnly(const QString& entry)
    {
        QFile::setPermissions(entry, QFile::permissions(entry) & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                                   QFileDevice::WriteGroup | QFileDevice::WriteOther));
    }

    // Expects one error report under the label; call before the member.
    static void expectReport() { testsupport::scriptedUi().answerMessageBox(platform::vbOK); }
    static QString reportedLabel()
    {
        const auto boxes = testsupport::scriptedUi().callsOf(testsupport::UiCall::MessageBox);
        if (boxes.empty() || boxes.back().title != QLatin1String("ERROR"))
            return QStringLiteral("<no report>");
        return boxes.back().text.section(QStringLiteral("\r\n"), 0, 0);
    }
    static bool nothingShown() { return testsupport::scriptedUi().calls().empty(); }

    QTemporaryDir dir;
    Ostrel7::clsFILE file;
};
