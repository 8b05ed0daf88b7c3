// Test main for every test executable: a QApplication on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    // The offscreen platform reports what it cannot do with windows; that is no test output.
    if (message.contains("propagateSizeHints"))
        return;
    if (type != QtDebugMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QByteArray runtime = QDir::tempPath().toUtf8() + "/kviz-test-runtime";
        QDir().mkpath(QString::fromUtf8(runtime));
        QFile::setPermissions(QString::fromUtf8(runtime), QFileDevice::ReadOwner |
                                                              QFileDevice::WriteOwner |
                                                              QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
