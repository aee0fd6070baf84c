#include "WorkbookReader.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

} // namespace

bool haveOpenpyxl()
{
    if (!QFileInfo(kPython).isExecutable())
        return false;
    return QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import openpyxl")}) == 0;
}

QJsonObject readWorkbook(const char* script, const QString& file, const QStringList& arguments)
{
    QProcess python;
    python.start(kPython, QStringList{QStringLiteral("-c"), QString::fromUtf8(script), file} + arguments);
    EXPECT_TRUE(python.waitForFinished(60000));
    const QByteArray out = python.readAllStandardOutput();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(out).object();
}

} // namespace testsupport
