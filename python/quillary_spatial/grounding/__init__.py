"""Grounding each deictic word of an utterance from the frames around it: the evidence model
(evidence), its tuned settings (settings) and the word-by-word result (words)."""
