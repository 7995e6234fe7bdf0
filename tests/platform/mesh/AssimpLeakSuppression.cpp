// The .X importer leaks what it had parsed when it gives up on a broken
// file. That memory belongs to the library and nothing of ours can free it,
// so the leak checker is told to let allocations made inside it pass.
extern "C" __attribute__((used, visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libassimp.so\n";
}
