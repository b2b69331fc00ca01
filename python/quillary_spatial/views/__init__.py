"""How the package words what happened for people: one function a wording, which the command
line, the example hosts and the MCP server all call."""
