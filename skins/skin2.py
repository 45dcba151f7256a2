from skin1 import SkinOne


class SkinTwo(SkinOne):
    number = 2
    name = "placeholder"
