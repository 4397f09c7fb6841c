// SPDX-FileCopyrightText: 2026 The KAVRO calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_database.h"

#include "storage/postgres_db.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kavro::server::test {

namespace {

// Debian's PostgreSQL 15; KAVRO_POSTGRES_BIN names another installation's
// programs (or none, to see the PostgreSQL cases skipped).
std::filesystem::path postgresBin() {
    const char* chosen = std::getenv("KAVRO_POSTGRES_BIN");
    return chosen ? chosen : "/usr/lib/postgresql/15/bin";
}

int run(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A cluster of the test binary's own. PostgreSQL refuses to run as root, so
// under root (as in CI) it runs as `nobody`, which owns its folder. Every
// kavro-server the tests start is killed while PostgreSQL keeps running, so
// durability is the server's (commit before answer), not the disk's: fsync
// is off to spare the shared machine.
class Cluster {
public:
    Cluster() {
        const std::filesystem::path bin = postgresBin();
        if (!std::filesystem::exists(bin / "initdb")) {
            failure = "PostgreSQL is not installed (no " + (bin / "initdb").string() +
                      "); scripts/install-deps.sh installs version 15";
            return;
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "kavro-pg-XXXXXX");
        if (!mkdtemp(pattern.data())) {
            failure = "no temporary folder for PostgreSQL";
            return;
        }
        folder = pattern;
        std::string as;
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody || chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid) != 0) {
                failure = "cannot give the cluster's folder to the user nobody";
                return;
            }
            as = "runuser -u nobody -- ";
        }
        const std::string data = (folder / "data").string();
        if (run(as + (bin / "initdb").string() + " -D " + data +
                " -U kavro --auth=trust -E UTF8 --no-sync >" + (folder / "initdb.log").string() +
                " 2>&1") != 0) {
            failure = "initdb failed; see " + (folder / "initdb.log").string();
            return;
        }
        const std::string settings = "-k " + folder.string() +
                                     " -c listen_addresses='' -c fsync=off"
                                     " -c full_page_writes=off -c max_connections=200";
        if (run(as + (bin / "pg_ctl").string() + " -D " + data + " -l " +
                (folder / "server.log").string() + " -w -o \"" + settings +
                "\" start >/dev/null") != 0) {
            failure = "PostgreSQL did not start; see " + (folder / "server.log").string();
            return;
        }
        started = true;
        prefix = as;
    }

    ~Cluster() {
        if (started)
            run(prefix + (postgresBin() / "pg_ctl").string() + " -D " + (folder / "data").string() +
                " -m immediate stop >/dev/null 2>&1");
        if (!folder.empty() && started) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }

    std::string uri(const std::string& database) const {
        return "postgresql://kavro@/" + database + "?host=" + folder.string();
    }

    std::filesystem::path folder;
    std::string failure;
    std::string prefix;
    bool started = false;
    std::atomic<int> databases{0};
};

Cluster& cluster() {
    static Cluster shared;
    return shared;
}

} // namespace

std::string backendName(Backend backend) {
    return backend == Backend::sqlite ? "SQLite" : "PostgreSQL";
}

std::string unavailable(Backend backend) {
    return backend == Backend::sqlite ? std::string() : cluster().failure;
}

std::string newPostgresDatabase() {
    Cluster& shared = cluster();
    const std::string name =
        "test_" + std::to_string(getpid()) + "_" + std::to_string(++shared.databases);
    PostgresDb(shared.uri("postgres")).exec("CREATE DATABASE " + name);
    return shared.uri(name);
}

} // namespace kavro::server::test
