# wine e2e
