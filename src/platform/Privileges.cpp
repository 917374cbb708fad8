#include "platform/Privileges.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <grp.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{

// Nothing here names a folder to load code from (QT_PLUGIN_PATH, GTK_PATH, GIO_MODULE_DIR, LD_*,
// ALSA and PulseAudio configuration, ...) or picks a plugin beyond the display's own.
constexpr std::array<std::string_view, 15> KEPT_VARIABLES = {"DISPLAY",
                                                             "WAYLAND_DISPLAY",
                                                             "XAUTHORITY",
                                                             "XDG_RUNTIME_DIR",
                                                             "XDG_SESSION_TYPE",
                                                             "XDG_CONFIG_HOME",
                                                             "XDG_DATA_HOME",
                                                             "XDG_CACHE_HOME",
                                                             "HOME",
                                                             "USER",
                                                             "LOGNAME",
                                                             "PATH",
                                                             "TZ",
                                                             "LANG",
                                                             "LANGUAGE"};
constexpr std::string_view LOCALE_PREFIX = "LC_";
constexpr char SHARED_GROUP[] = "games";

bool g_bPrivileged = false;
gid_t g_gidUser = 0;
gid_t g_gidShared = 0;
int g_nAccessDepth = 0;

// A hard link to the program elsewhere would find plugins and qt.conf beside itself.
bool RunsFromInstalledFolder()
{
    std::array<char, PATH_MAX> path{};
    const ssize_t nLength = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return nLength > 0 && std::string_view(path.data(), nLength) ==
                              std::string_view(KELVARA_INSTALLED_BIN_DIR "/kelvara");
}

// Rebuilt rather than unset one by one: unsetenv cannot remove an entry without '='.
void KeepOnlySafeEnvironment()
{
    std::vector<std::pair<std::string, std::string>> kept;
    for (char** ppEntry = environ; *ppEntry; ++ppEntry) {
        const std::string_view entry(*ppEntry);
        const std::size_t nEquals = entry.find('=');
        if (nEquals != std::string_view::npos && KeepsVariable(entry.substr(0, nEquals)))
            kept.emplace_back(entry.substr(0, nEquals), entry.substr(nEquals + 1));
    }
    clearenv();
    for (const auto& [strName, strValue] : kept)
        setenv(strName.c_str(), strValue.c_str(), 1);
}

// Without the user's group in effect nothing may run.
void SetGroups(gid_t gidReal, gid_t gidEffective, gid_t gidSaved)
{
    if (setresgid(gidReal, gidEffective, gidSaved) != 0)
        std::_Exit(EXIT_FAILURE);
}

} // namespace

void SecureStart(int& argc, char** argv)
{
    gid_t gidReal = 0, gidEffective = 0, gidSaved = 0;
    if (getresgid(&gidReal, &gidEffective, &gidSaved) != 0 || gidReal == gidEffective)
        return;
    if (!RunsFromInstalledFolder()) {
        SetGroups(gidReal, gidReal, gidReal);
        return;
    }
    g_bPrivileged = true;
    g_gidUser = gidReal;
    g_gidShared = gidEffective;
    SetGroups(g_gidUser, g_gidUser, g_gidShared);
    KeepOnlySafeEnvironment();
    if (argc > 1) {
        argc = 1;
        argv[1] = nullptr;
    }
}

bool StartedPrivileged()
{
    return g_bPrivileged;
}

bool KeepsVariable(std::string_view name)
{
    return std::find(KEPT_VARIABLES.begin(), KEPT_VARIABLES.end(), name) != KEPT_VARIABLES.end() ||
           (name.starts_with(LOCALE_PREFIX) && name.size() > LOCALE_PREFIX.size());
}

gid_t SharedStoreGroup()
{
    if (g_bPrivileged)
        return g_gidShared;
    const group* pGroup = getgrnam(SHARED_GROUP);
    return pGroup ? pGroup->gr_gid : static_cast<gid_t>(-1);
}

CStoreAccess::CStoreAccess()
{
    if (g_bPrivileged && g_nAccessDepth++ == 0)
        SetGroups(g_gidShared, g_gidShared, g_gidUser);
}

CStoreAccess::~CStoreAccess()
{
    if (g_bPrivileged && --g_nAccessDepth == 0)
        SetGroups(g_gidUser, g_gidUser, g_gidShared);
}
