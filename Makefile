# The two commands a newcomer runs; both install what they need first.
.PHONY: demo test

demo:
	tools/demo $(SOURCE)

test:
	tools/run-tests
