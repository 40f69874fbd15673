#pragma once

#include "support/TestServer.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace volmira::test {

// ftp_server.py with these options, storing what "volmira-apt" / "harrier77"
// uploads; started once per set of options.
inline TestServer &ftpServer(const QStringList &options = {}) {
    static std::map<QString, std::unique_ptr<TestServer>> servers;  // ended when the program ends
    std::unique_ptr<TestServer> &server = servers[options.join(u' ')];
    if (!server) server = std::make_unique<TestServer>("ftp_server.py", options);
    if (server->port <= 0) ADD_FAILURE() << "ftp_server.py did not start";
    return *server;
}
inline QString ftpUrl(const TestServer &server) { return "ftp://" + server.host(); }
inline QStringList storedFiles(const TestServer &server) { return QDir(server.root.path()).entryList(QDir::Files); }

}  // namespace volmira::test
