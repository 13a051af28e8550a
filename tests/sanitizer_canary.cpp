// Reads one element past a heap array.  Built only in the sanitized build, where its
// test passes only if AddressSanitizer reports the overflow: proof that the second
// build really runs the suite under the sanitizers.
#include <cstdio>
#include <memory>

int main(int argc, char **)
{
    const auto values = std::make_unique<int[]>(4);
    std::printf("%d\n", values[static_cast<std::size_t>(argc + 3)]);
    return 0;
}
