#include <benchmark/benchmark.h>

#include "benchdata.h"

int main(int argc, char **argv)
{
    klettra::bench::takeNounListArgument(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
