// The groups tests run in a small host: it exports the host functions the test plug-ins
// import, so that libraries can be loaded and driven without the main window.
#ifndef VELARION_TESTS_GROUPS_TESTHOST_H
#define VELARION_TESTS_GROUPS_TESTHOST_H

#include <string>

namespace veltest {

// The version text GetVelarionVersion answers with; empty: no answer.
void SetHostVersion(std::string version);

// The folder the test plug-ins are built into.
std::string TestPluginFolder();
std::string TestPlugin(const char* name);

}  // namespace veltest

#endif
