/* A program that only carries a version resource, read by the tests. */
int main(void) { return 0; }
