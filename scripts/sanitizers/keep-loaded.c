/* Preloaded into sanitized test runs: libraries stay loaded until the process ends.
 * The GL driver (llvmpipe's LLVM) is unloaded at exit before LeakSanitizer looks, and the
 * blocks its globals still held then show as leaks from an unnamed module. Kept loaded, they
 * stay reachable, and anything a library really leaks is reported under its own name. */
int dlclose(void *handle)
{
  (void)handle;
  return 0;
}
