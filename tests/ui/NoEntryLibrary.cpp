// A loadable library that is no renderer plug-in: it lacks the entry point "GetPlugin".
extern "C" __attribute__((visibility("default"))) int RendererVersion() {
    return 1;
}
