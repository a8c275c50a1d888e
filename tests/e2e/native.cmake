# native e2e
