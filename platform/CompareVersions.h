#pragma once

// Numeric, component-wise comparison of version texts such as "4.10" and "6.0.0":
// -1, 0 or 1. Any non-digit text separates components; missing components count as 0.
int BaRe_CompareVersions(const char* a, const char* b);
