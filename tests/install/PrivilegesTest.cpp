// The setgid start's environment rules, which the package round trip tries only in part.
#include "platform/Privileges.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

// Guards against a setgid start that lets a variable through which makes Qt, GTK, the
// dynamic loader or the sound libraries load code from a folder the user chose.
TEST(SetgidEnvironment, KeepsDisplayFoldersAndLocaleOnly)
{
    for (const char* pszName :
         {"QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH", "QT_QPA_PLATFORMTHEME",
          "QT_QPA_PLATFORM", "QT_STYLE_OVERRIDE", "LD_PRELOAD", "LD_LIBRARY_PATH", "GTK_PATH",
          "GTK_MODULES", "GIO_EXTRA_MODULES", "GIO_MODULE_DIR", "GST_PLUGIN_PATH",
          "ALSA_CONFIG_PATH", "PULSE_CLIENTCONFIG", "XDG_DATA_DIRS", "DBUS_SESSION_BUS_ADDRESS",
          "LC_", "DISPLAYX", ""})
        EXPECT_FALSE(KeepsVariable(pszName)) << pszName;
    for (const char* pszName :
         {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME",
          "XDG_DATA_HOME", "HOME", "LANG", "LC_ALL", "LC_MESSAGES"})
        EXPECT_TRUE(KeepsVariable(pszName)) << pszName;
}
