#pragma once
// The shared sample files by name: the IES samples, the EULUMDAT samples and the tests' own
// broken-file corpus, wherever the build says they are. Tests name a sample by its file name alone
// and never spell its folder.

#include <string>
#include <vector>

namespace lumetra::test {

#ifdef LUMETRA_SAMPLES_DIR
// The folder of the IES samples.
inline std::string SamplesFolder() {
    return LUMETRA_SAMPLES_DIR;
}

// An IES sample by name.
inline std::string SamplePath(const std::string& name) {
    return SamplesFolder() + "/" + name;
}
#endif

#ifdef LUMETRA_LDT_SAMPLES_DIR
// The folder of the EULUMDAT samples.
inline std::string LdtSamplesFolder() {
    return LUMETRA_LDT_SAMPLES_DIR;
}

// A EULUMDAT sample by name.
inline std::string LdtSamplePath(const std::string& name) {
    return LdtSamplesFolder() + "/" + name;
}
#endif

#if defined(LUMETRA_SAMPLES_DIR) && defined(LUMETRA_LDT_SAMPLES_DIR)
// Both sample folders, the IES one first.
inline std::vector<std::string> SampleFolders() {
    return {SamplesFolder(), LdtSamplesFolder()};
}
#endif

#ifdef LUMETRA_TEST_DATA_DIR
// A file of the broken-file corpus (tests/data/broken) by name.
inline std::string BrokenFile(const std::string& name) {
    return std::string(LUMETRA_TEST_DATA_DIR) + "/broken/" + name;
}
#endif

} // namespace lumetra::test
