// The program a layer is linked into whole, with only the layers below it: it is never run, its
// link fails when the layer calls into a layer above.
int main() {
    return 0;
}
