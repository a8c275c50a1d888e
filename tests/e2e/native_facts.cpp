#include "tests/e2e/cpuid_facts.h"

int main() { PrintCpuidFacts(); }
