#pragma once

#include "support/TestServer.h"

#include <QDir>

#include <gtest/gtest.h>

namespace volmira::test {

// ftp_server.py, storing what "volmira-apt" / "harrier77" uploads; started once.
inline TestServer &ftpServer() {
    static TestServer server("ftp_server.py", {});
    if (server.port <= 0) ADD_FAILURE() << "ftp_server.py did not start";
    return server;
}
inline QString ftpUrl(const TestServer &server) { return "ftp://" + server.host(); }
inline QStringList storedFiles(const TestServer &server) { return QDir(server.root.path()).entryList(QDir::Files); }

}  // namespace volmira::test
