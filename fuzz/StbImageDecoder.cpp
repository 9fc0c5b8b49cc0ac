// The picture decoder of stb compiled into the picture target with the fuzzer's
// instrumentation: the prebuilt library is not instrumented, so without this copy the
// fuzzer would see only the thin wrapper around it. Linked ahead of the prebuilt library,
// these definitions are the ones used.
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>
