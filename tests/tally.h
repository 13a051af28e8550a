// The plain-C++ tests' checks (no Qt, so they also run under Wine): each case counted,
// each failing one printed, and the tally at the end.
#pragma once

#include <cstdio>
#include <string>

namespace ortelana {

class Tally
{
public:
    // Records one case; prints it when it fails.
    void operator()(bool ok, const std::string &what)
    {
        if (ok) {
            ++passed;
        } else {
            ++failed;
            std::printf("FAIL: %s\n", what.c_str());
        }
    }

    // Prints the tally; returns the test's exit status.
    int finish() const
    {
        std::printf("%d passed, %d failed\n", passed, failed);
        return failed == 0 ? 0 : 1;
    }

private:
    int passed = 0;
    int failed = 0;
};

} // namespace ortelana
